#pragma once

class QWidget;

namespace volvenda {

// Gives assistive technology what the toolkit cannot guess or gets wrong: the
// window is a frame, the picture an image whose menu an action opens, a field
// reads whole, and an open menu has its place among the application's
// windows. Once per program, before anything is asked of the application.
void installAccessibleRoles();

// Tells a screen reader what the picture's description now says, wherever the
// focus is: once for each call.
void announcePicture(QWidget *picture);

// Tells a screen reader that the focus is on the widget, where the toolkit
// does not: on an open menu, or on the control it comes back to.
void tellFocus(QWidget *widget);

} // namespace volvenda
