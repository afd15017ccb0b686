#pragma once
// One running copy per user: a named lock that dies with its process, and a way for a second copy
// to ask the first to come to the front.

#include <string>

namespace platform {

class NamedLock;
class Window;

// Takes the lock of this name. alreadyExists is set when another process holds it; the result is
// then null. Null with alreadyExists false means no lock could be made at all.
NamedLock* CreateNamedLock(const std::string& name, bool* alreadyExists);
void CloseNamedLock(NamedLock* lock);

// Asks the process whose top-level window has this class to restore and raise it (or its open
// modal dialog) and make it active; true when it reports success.
bool BringRunningInstanceToFront(const std::string& className);

// Makes a top-level window answer those requests, under its class name, while it lives.
bool ListenForRaiseRequests(Window* window);

}  // namespace platform
