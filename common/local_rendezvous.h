#pragma once
// Taking a program's per-user socket name: the first instance listens on it,
// a later start finds it answering and hands over. Two instances started at
// the same moment never both take the name, a live instance's name is never
// taken over, and a socket file left behind by a crash never blocks a start.

#include <QString>
#include <functional>

namespace tikloom {

class LocalListener;

// runningInstanceAnswers asks the instance on `path`, if any, to do its part
// (reload, come forward) and tells whether one answered. It is asked first
// without touching any file, then again under a lock beside the socket.
// Returns true when a running instance answered; otherwise removes a stale
// socket file, makes `listener` listen on `path` and returns false.
bool HandOverOrListen(LocalListener& listener, const QString& path,
                      const std::function<bool()>& runningInstanceAnswers);

} // namespace tikloom
