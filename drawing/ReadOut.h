#pragma once

#include "calc/CutResult.h"

#include <QStringList>

class Canvas;

// Prints the eight result lines for a stone of width D at their fixed places
// on the results canvas.
void printResults(Canvas &picture1, double D, const CutResult &cut);

// The same eight lines as they read on the canvas, from top to bottom:
// i, alfa, D, a, b, H, q, n.
QStringList readOutTopToBottom(double D, const CutResult &cut);

// The same lines as a text to be read: one line each, from the top of the
// canvas down, without the blanks that align them there or stand in for a
// sign.
QString resultsText(double D, const CutResult &cut);
