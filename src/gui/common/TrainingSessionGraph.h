#pragma once

class CBasicLineGraph;
class CStudent;

// The graph of a student's training sessions, shown by the progress window and the training
// window alike: one bar per session, its height the number right, its mark the goal and its
// colour the kind of session, over numbered positions and a scale to 100.

// The label size of the history graphs in tenths of a point: smaller on the small screens.
int GraphLabelTenths();

// Titles, fonts, scale, grid, frame, marks and bars, the legend of its colours and marks, and
// what it says with no sessions, set once when the graph is made.
void ConfigureTrainingGraph(CBasicLineGraph& graph, int labelTenths);

// Refills the graph with every training session of the student, oldest first, and draws it.
// Numbers right and goals outside 0 to 100 (a damaged record) are drawn at the nearer end.
void FillTrainingGraph(CBasicLineGraph& graph, const CStudent& student);

// One error record naming the values of the student's history that the progress and training
// views show otherwise than stored; none when there are none. A window calls it once.
void LogValuesShownWithinLimits(const char* source, const CStudent& student);
