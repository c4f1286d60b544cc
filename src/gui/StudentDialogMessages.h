#pragma once

#include <string>

class QWidget;

// String 8: what a screen says when something it needs could not be done.
inline constexpr const char* kContactAdministrator = "Please contact the system administrator.";

// A refusal from the teacher's screens: exclamation icon, OK, the program's name as title, over
// `owner`.
void ShowStudentDialogMessage(QWidget* owner, const std::string& text);
