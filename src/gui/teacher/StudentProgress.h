#pragma once

#include <string>

class QWidget;

// Makes `name` (file form) the current student. Another student left loaded would be shown or
// changed in this one's place: a record that cannot be read is said so over `owner` (false).
bool LoadCurrentStudent(const std::string& name, QWidget* owner);

// Opens the progress of `name` over `opener`, which hides until the progress window's Home shows
// it again; nothing opens when the record cannot be read.
void OpenStudentProgress(const std::string& name, QWidget& opener);
