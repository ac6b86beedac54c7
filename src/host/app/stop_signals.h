#pragma once

namespace bumblorbs {

// SIGTERM and SIGINT ask the program to stop; the event loop looks for that
// between events and ends normally. Should the program not have ended 1.5 s
// after the signal, because it is stuck waiting on a display that does not
// answer, it ends at once with status 1. SIGINT stays ignored where the
// program was started with it ignored, as a background job is. SIGPIPE is
// ignored: a write to a closed pipe fails and is reported like any other.
// Where no thread can be started, a stop is still seen by the event loop, but
// nothing ends a program stuck on its display. Call before any other thread
// starts.
void HearStopSignals();

// Whether SIGTERM or SIGINT has asked the program to stop.
bool StopRequested();

// From now on a stop signal ends the process at once with status 1, for a
// program that has already said why it fails and only waits for the user;
// where one has come already, the process ends now.
void EndAtOnceOnStop();

}  // namespace bumblorbs
