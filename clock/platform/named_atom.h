#pragma once
// X11 atoms by name, for the X11 files that read or set window properties.

#include <QByteArray>
#include <cstdint>

struct xcb_connection_t;

namespace tikloom {

// The atom of that name (made if the server has none yet); 0 when the
// server does not answer.
uint32_t NamedAtom(xcb_connection_t* connection, const QByteArray& name);

} // namespace tikloom
