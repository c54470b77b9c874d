// Everything a driver uses.
#pragma once

#include "App.h"
#include "Capture.h"
#include "Case.h"
#include "Checks.h"
#include "Drop.h"
#include "FileDialog.h"
#include "Files.h"
#include "Input.h"
#include "Menu.h"
#include "Pictures.h"
#include "Process.h"
#include "Remote.h"
#include "Report.h"
#include "Wait.h"
#include "Window.h"
