#pragma once

#include <QString>
#include <string>

// How the teacher's classes are named on screen and on paper. The first class (kFirstClassName,
// the one a data folder has always had) shows as "(first class)" in the class chooser, where no
// class the teacher names can look like it (a name holds no parentheses), and is left unnamed
// beside the teacher: its record name was never one the teacher chose.
QString ClassChoiceText(const std::string& className);

// "Pat Jones, class 5A", or "Pat Jones" for the first class.
QString TeacherAndClassText(const std::string& teacherName, const std::string& className);
