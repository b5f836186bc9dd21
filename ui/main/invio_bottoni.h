#pragma once

class QWidget;

// Makes Return and the keypad's Enter click the window's push and tool
// buttons that have the focus, as Space does, without making any of them a
// default button (which would change how it looks). Radio buttons and check
// boxes keep their own keys. For the buttons the window has when called.
void InvioCliccaIBottoni(QWidget* finestra);
