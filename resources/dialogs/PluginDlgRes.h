// Ids of the plug-in settings dialog. Plain #defines: windres reads this file as well.
#pragma once

#define IDD_PLUGIN_SETTINGS 159
#define IDC_PLUGIN_FOLDER 1083  // the folder text: one folder, or several separated by ";"
#define IDC_PLUGIN_BROWSE 1084  // "参照...(&R)"
