#pragma once

#include <QColor>

// The colours the screens paint themselves; their pictures blend into them at the edges.
inline const QColor kWindowColour(171, 171, 171);
inline const QColor kPanelColour(238, 238, 238);
inline const QColor kFrameColour(90, 90, 90); // 2-pixel frames around white boxes
// The training set-up's blocks and the texts on them.
inline const QColor kSetupBlockColour(200, 200, 200);

// The ink of the test's cards: the problem, and the answer the student entered.
inline const QColor kTestProblemColour(50, 50, 50);
inline const QColor kTestAnswerColour(12, 71, 147);
