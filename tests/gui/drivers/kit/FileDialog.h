// The system's explorer-style open and save dialogs as the program shows them: control ids as seen
// under Wine (the name field is an Edit inside a ComboBox inside a ComboBoxEx32, all with id 1148).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tk {

constexpr int kFileNameId = 1148;
constexpr int kFileTypeId = 1136;

// The name field of a file dialog, or null when dialog is none.
HWND FileNameField(HWND dialog);
// Puts path into the name field and presses the dialog's OK button (without waiting).
bool ChooseFile(HWND dialog, const std::string& path);
// Presses Cancel and waits until the dialog has gone.
bool CancelDialog(HWND dialog);
// The texts of a combo box's list.
std::vector<std::string> ComboItems(HWND combo);

}  // namespace tk
