#pragma once

#include <QString>

namespace app {

class Program;

// What closing the main or the results window leads to: the farewell window,
// not the end of the program.
void RouteToFarewell(Program &program);

// The end of a reading: the results take the main window's place.
void ShowReading(Program &program, int stick, const QString &sentence);

// Back in the results window: the main window again, ready for the next
// reading.
void GoBack(Program &program);

} // namespace app
