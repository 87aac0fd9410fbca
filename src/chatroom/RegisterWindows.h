#pragma once

// Lets the shared procedures reach the program's windows. Called once at start.
void registerWindows();
