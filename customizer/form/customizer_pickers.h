#pragma once
// How the colour and font pickers run their dialogs. Tests replace the
// runner to answer a dialog without a user.

#include <QDialog>
#include <functional>

namespace tikloom {

// Runs the dialog modally; returns QDialog::Accepted or QDialog::Rejected.
using PickerDialogRunner = std::function<int(QDialog&)>;

// Replaces the runner; an empty one restores the modal exec().
void SetPickerDialogRunner(PickerDialogRunner runner);

} // namespace tikloom
