#pragma once

class QLabel;
class QWidget;

// What the form files cannot say about labels, applied to every label of a
// window once it is built:
// - a label marked with the dynamic property "autoSize" takes the width of
//   its one-line text in its own font; its left edge and height stay;
// - every other label breaks its text into lines at blanks where it does not
//   fit the label's width;
// - a label whose text rises above its font's ascent (accented capitals in a
//   face that keeps accents outside the ascent, as Lato does) shows its text
//   that much lower, so that the accents are not cut off at the top.
void fitLabelsToText(QWidget &window);

// Widens a label to its one-line text in its own font, but never below
// minimumWidth; its left edge and height stay.
void widenToText(QLabel &label, int minimumWidth);
