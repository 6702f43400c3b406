#pragma once
#include <functional>

// Calls the handler on the user-interface thread when the session or the user ends the
// program from outside: SIGTERM (logout, shutdown, kill), SIGHUP (its terminal closed) or
// SIGINT (Ctrl+C). The handler is called once; later signals end the process at once.
void watchSessionEnd(std::function<void()> handler);
