#pragma once

// What the browser engine needs from the process, set up so that a session that
// never shows a web pane pays nothing for it.

// Call at the top of main, before the application object exists. The engine's
// sandbox refuses to start as root, so a program running as root turns it off
// for itself; any other user keeps it.
void prepareWebEngine();

// Call just before the engine is loaded. The engine composes pages on an OpenGL
// context shared with the program's own; Qt would create that context at start-up
// (Qt::AA_ShareOpenGLContexts), which loads the GL driver, tens of MB, into every
// session, so it is created here instead. Without OpenGL the pages are drawn in
// software.
void prepareWebEngineLoad();
