#pragma once

class CBasicLineGraph;
class CStudent;

// The graph of a student's training sessions, shown by the progress window and the training
// window alike: one bar per session, its height the number right, its mark the goal and its
// colour the kind of session, over numbered positions and a scale to 100.

// The label size of the history graphs in tenths of a point: smaller on the small screens.
int GraphLabelTenths();

// Titles, fonts, scale, grid, frame, marks and bars, set once when the graph is made.
void ConfigureTrainingGraph(CBasicLineGraph& graph, int labelTenths);

// Refills the graph with every training session of the student, oldest first, and draws it.
void FillTrainingGraph(CBasicLineGraph& graph, const CStudent& student);
