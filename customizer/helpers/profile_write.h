#pragma once
// Writes of the customizer's profile files. A write that fails raises an
// error naming the file; the handler that wrote stops there and the
// application's general error report shows the text.

#include <QString>
#include <stdexcept>

namespace tikloom {

class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const QString& file);
};

// WriteProfileString, throwing ProfileWriteError when the file cannot be written.
void WriteProfileOrThrow(const QString& file, const QString& section, const QString& key,
                         const QString& value);

} // namespace tikloom
