#pragma once
// SIGTERM and SIGINT (a session ending, Ctrl+C in a terminal) close the main
// window like its Exit item, so the program, settings and breakpoints are
// still saved.

class QWidget;

void CloseOnTerminationSignal(QWidget* window);
