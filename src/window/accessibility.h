#pragma once

class QWidget;

namespace volvenda {

// Gives assistive technology what the toolkit cannot guess or gets wrong: the
// window is a frame, the picture an image whose menu an action opens, and a
// field reads whole. Once per program.
void installAccessibleRoles();

// Tells a screen reader what the picture's description now says, wherever the
// focus is: once for each call.
void announcePicture(QWidget *picture);

} // namespace volvenda
