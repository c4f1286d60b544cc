#include "Screenshots.h"

#include <array>

namespace screenshots {
namespace {

constexpr std::array kScreenshots = std::to_array<Screenshot>({
    {"signin", RenderSignInDialog},
    {"home", RenderHomeScreen},
    {"home-focus", RenderHomeFocus},
    {"buttons", RenderButtonSheet},
    {"frog", RenderFrogStrip},
    {"cards", RenderProblemCards},
    {"pads", RenderNumberPads},
    {"testing-before", RenderTestingBeforeBegin},
    {"testing-running", RenderTestingRunning},
    {"testing-ended", RenderTestingEnded},
    {"review-idle", RenderReviewIdle},
    {"review-first-try", RenderReviewFirstTry},
    {"review-feedback", RenderReviewFeedback},
    {"review-frog", RenderReviewFrog},
    {"mistake-sheet", RenderMistakeSheet},
    {"teacher", RenderTeacherWindow},
    {"teacher-focus", RenderTeacherFocus},
    {"teacher-empty", RenderTeacherWindowEmpty},
    {"teacher-long-names", RenderTeacherLongNames},
    {"teacher-delete-question", RenderDeleteQuestion},
    {"teacher-name-note", RenderNameNote},
    {"teacher-new-student", RenderNewStudentDialog},
    {"teacher-rename", RenderRenameDialog},
    {"teacher-edit-student", RenderEditStudentDialog},
    {"teacher-refusal", RenderStudentRefusal},
    {"teacher-school-class", RenderTeacherSchool},
    {"teacher-new-class", RenderNewClassDialog},
    {"teacher-import-problems", RenderImportProblems},
    {"class-report-empty", RenderClassReportEmpty},
    {"class-report", RenderClassReportFull},
    {"class-report-sorted", RenderClassReportSorted},
    {"class-report-printed-letter", RenderClassReportPrintedLetter},
    {"class-report-printed-a4", RenderClassReportPrintedA4},
    {"graphs", RenderGraphModes},
    {"progress-mastery", RenderProgressMastery},
    {"progress-current", RenderProgressCurrent},
    {"progress-report", RenderProgressReport},
    {"progress-training-report", RenderProgressTrainingReport},
    {"progress-training-graph", RenderProgressTrainingGraph},
    {"progress-damaged", RenderProgressDamaged},
    {"progress-fact-map-empty", RenderFactMapEmpty},
    {"progress-fact-map-partly", RenderFactMapPartly},
    {"progress-fact-map-partly-1024", RenderFactMapPartlyLarge},
    {"progress-fact-map-complete", RenderFactMapComplete},
    {"progress-fact-map-mixed", RenderFactMapMixed},
    {"training-setup", RenderTrainingSetup},
    {"training-setup-focus", RenderTrainingSetupFocus},
    {"training-feedback", RenderTrainingFeedback},
    {"training-views", RenderTrainingViews},
    {"training-views-empty", RenderTrainingViewsEmpty},
    {"training-my-facts", RenderTrainingMyFacts},
});

} // namespace

std::span<const Screenshot> AllScreenshots() {
    return kScreenshots;
}

} // namespace screenshots
