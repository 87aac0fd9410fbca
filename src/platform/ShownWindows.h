#pragma once

// Tells, under the logging category "korvu.windows", each top-level window as
// it is shown ("shown Login"). Off unless the logging rules turn the category's
// debug messages on (QT_LOGGING_RULES="korvu.windows.debug=true"); then a
// person, or a test that starts the program, can see which windows it showed
// without a desktop to look at. Call it once the application object exists.
void reportShownWindows();
