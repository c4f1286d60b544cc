// The screens the screenshot tool renders. To add one: write `QImage RenderSomething()` in a file
// of its own (it may build real widgets; the program folder's pictures are installed), declare it
// here and list it in kScreenshots (Screenshots.cpp) with the name of its PNG file.
#pragma once

#include "data/SessionRecord.h"

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace screenshots {

struct Screenshot {
    const char* fileName; // without ".png"
    QImage (*render)();
};

std::span<const Screenshot> AllScreenshots();

// Gives the signed-in student this history and level (one test passed on it), keeping everything
// else of the record.
void GiveHistory(const std::vector<SessionRecord>& history, std::int32_t level);
// Gives the signed-in student a history of tests, training sessions and reviews over several
// weeks, on Multiplication.
void GiveRichHistory();

// Gives `control` the keyboard focus in its window, shown and active, with the keyboard in use as
// after a press of Tab: its focus mark shows.
void FocusByKeyboard(QWidget& control);
// The window of `controls` with the focus on each of them in turn, side by side.
QImage GrabWithFocusOn(const std::vector<QWidget*>& controls);

// Signs in the teacher `name` (file form) with an empty class "Users", written afresh.
void SignInTeacherWithEmptyClass(const std::string& name);

QImage RenderHomeScreen();
QImage RenderHomeFocus();
QImage RenderSignInDialog();
QImage RenderButtonSheet();
QImage RenderFrogStrip();
QImage RenderProblemCards();
QImage RenderNumberPads();
QImage RenderTestingBeforeBegin();
QImage RenderTestingRunning();
QImage RenderTestingEnded();
QImage RenderReviewIdle();
QImage RenderReviewFirstTry();
QImage RenderReviewFeedback();
QImage RenderReviewFrog();
QImage RenderMistakeSheet();
QImage RenderTeacherWindow();
QImage RenderTeacherFocus();
QImage RenderTeacherWindowEmpty();
QImage RenderTeacherLongNames();
QImage RenderDeleteQuestion();
QImage RenderNameNote();
QImage RenderNewStudentDialog();
QImage RenderRenameDialog();
QImage RenderEditStudentDialog();
QImage RenderStudentRefusal();
QImage RenderTeacherSchool();
QImage RenderNewClassDialog();
QImage RenderImportProblems();
QImage RenderClassReportEmpty();
QImage RenderClassReportFull();
QImage RenderClassReportSorted();
QImage RenderClassReportPrintedLetter();
QImage RenderClassReportPrintedA4();
QImage RenderGraphModes();
QImage RenderProgressMastery();
QImage RenderProgressCurrent();
QImage RenderProgressReport();
QImage RenderProgressTrainingReport();
QImage RenderProgressTrainingGraph();
QImage RenderProgressDamaged();
QImage RenderFactMapEmpty();
QImage RenderFactMapPartly();
QImage RenderFactMapPartlyLarge();
QImage RenderFactMapComplete();
QImage RenderFactMapMixed();
QImage RenderTrainingSetup();
QImage RenderTrainingSetupFocus();
QImage RenderTrainingFeedback();
QImage RenderTrainingViews();
QImage RenderTrainingViewsEmpty();
QImage RenderTrainingMyFacts();

} // namespace screenshots
