#pragma once
#include <memory>

class QLocalServer;
class WindowHost;

// Every running copy of the program listens on a local socket of its own in the user's runtime
// folder, named after its display; another copy on the same display can ask it to quit there.
// Nothing else hears the request.
class InstanceLink {
public:
    // Starts listening; a quit request sends the window QuitRequest.
    explicit InstanceLink(WindowHost& window);
    ~InstanceLink();
    InstanceLink(const InstanceLink&) = delete;
    InstanceLink& operator=(const InstanceLink&) = delete;

    // Asks every other running copy to quit; answers how many were asked.
    int closeOthers();

private:
    std::unique_ptr<QLocalServer> server_;
};
