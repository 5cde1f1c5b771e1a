// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's eight windows, each created once at start-up and kept until the process ends. The
// program itself makes the gallery and the print pages once the main window has painted its first frame.

namespace numislot {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm16;

namespace toolkit {
class Services;
}

extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;
extern TForm6* Form6;
extern TForm7* Form7;
extern TForm16* Form16;

// Creates every window in its fixed order, Form1 first (the main window), and links them.
void createForms(toolkit::Services& services);
// Destroys them, last created first.
void destroyForms();

// The main procedure: title, windows, event loop. Returns the process status, always 0.
int runApplication(int& argc, char** argv, toolkit::Services& services);

} // namespace numislot
