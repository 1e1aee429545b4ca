#pragma once

#include "calc/ComputePlan.h"

class Form1;
class MessageSink;
class Pacer;

// The press of "CALCULAR": resets the display, checks the three inputs in
// order, and either shows the one message of the first rejected value or
// draws both profiles, animates the rays, dimensions the profile and prints
// the results. Every outcome ends with the focus on "CALCULAR"; the input
// fields are never changed. Returns the plan it carried out: the cut it drew
// or the message it showed.
ComputePlan computeCommand(Form1 &window, MessageSink &messages, Pacer &pacer);
