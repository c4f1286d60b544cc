#pragma once

#include "data/RosterFile.h"
#include "data/StudentInfoCheck.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

// What a screen says when something it needs could not be done.
QString ContactAdministrator();

// A refusal from the teacher's screens: exclamation icon, OK, the program's name as title, over
// `owner`. The text is already in the program's language.
void ShowStudentDialogMessage(QWidget* owner, const QString& text);
void ShowStudentDialogMessage(QWidget* owner, const std::string& text);

// The question before a student is deleted: what goes with the account, and that it goes for good.
std::string DeleteQuestion(const std::string& name);

// What the teacher is told when a student's record cannot be read: which student, in plain words.
std::string UnreadableRecordMessage(const std::string& name);

// Why a new student's name (normalised) with a refused character is refused, naming the first
// such character: "… A name cannot hold the apostrophe (')."
std::string RefusedNameMessage(const std::string& name);

// Why a new student or class cannot be added to a class that has as many students as the class
// size: the message the program has always shown at 8, otherwise one that says the size.
std::string ClassFullMessage(int classSize);

// Why a typed name (normalised) is refused, for the refusals of a name (NoName … NameTaken).
std::string NameRefusalMessage(data::StudentInfoRefusal refusal, const std::string& name);

// Why nothing of the roster file `fileName` was imported: its problems, each on a line of its
// own; a message box is no taller than the screen, so beyond the first twelve they are counted.
QString RosterProblemsMessage(const std::string& fileName,
                              const std::vector<data::RosterProblem>& problems);
