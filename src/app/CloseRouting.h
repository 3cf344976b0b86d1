#pragma once

namespace app {

class Program;

// What closing the main or the results window leads to: the farewell window,
// not the end of the program.
void RouteToFarewell(Program &program);

} // namespace app
