// The screens the screenshot tool renders. To add one: write `QImage RenderSomething()` in a file
// of its own (it may build real widgets; the program folder's pictures are installed), declare it
// here and list it in kScreenshots (Screenshots.cpp) with the name of its PNG file.
#pragma once

#include "data/SessionRecord.h"

#include <QImage>
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

// Signs in the teacher `name` (file form) with an empty class "Users", written afresh.
void SignInTeacherWithEmptyClass(const std::string& name);

QImage RenderHomeScreen();
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
QImage RenderTrainingFeedback();
QImage RenderTrainingViews();
QImage RenderTrainingViewsEmpty();
QImage RenderTrainingMyFacts();

} // namespace screenshots
