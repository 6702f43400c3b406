#pragma once
#include "platform/message.h"

// The main window's message routes: answer each message in a line or forwards it to the one
// AppState. Messages that arrive while no AppState exists do nothing. Returns the routing
// table's result: true when the message was handled.
bool routeMessage(Message& message);
