// scancodes.h — the PC set-1 scancodes the programs test with isKeyDown, by
// name, and the extended key that stands for the window's close request.
//
// Positions are those of a German keyboard: scancode 21 is labelled Z there
// (Y on a US keyboard) and 44 is Y (Z on a US keyboard). Letter commands name
// the German label.
#pragma once

namespace scancode {

constexpr int Esc = 1;
constexpr int Digit1 = 2;  // digits 1..9 are 2..10
constexpr int Digit2 = 3;
constexpr int Digit3 = 4;
constexpr int Digit4 = 5;
constexpr int Digit5 = 6;
constexpr int Digit6 = 7;
constexpr int Digit7 = 8;
constexpr int Digit8 = 9;
constexpr int Digit9 = 10;
constexpr int Digit0 = 11;
constexpr int Backspace = 14;
constexpr int Tab = 15;
constexpr int Q = 16;
constexpr int W = 17;
constexpr int E = 18;
constexpr int T = 20;
constexpr int Z = 21;  // German Z (US Y)
constexpr int U = 22;
constexpr int I = 23;
constexpr int O = 24;
constexpr int P = 25;
constexpr int Enter = 28;
constexpr int Ctrl = 29;  // left and right
constexpr int A = 30;
constexpr int S = 31;
constexpr int H = 35;
constexpr int J = 36;
constexpr int L = 38;
constexpr int LeftShift = 42;
constexpr int Y = 44;  // German Y (US Z)
constexpr int C = 46;
constexpr int N = 49;
constexpr int RightShift = 54;
constexpr int Space = 57;
constexpr int F1 = 59;
constexpr int F2 = 60;
constexpr int F3 = 61;
constexpr int F4 = 62;
constexpr int F5 = 63;
constexpr int F6 = 64;
constexpr int F7 = 65;
constexpr int F8 = 66;
constexpr int Up = 72;
constexpr int Left = 75;
constexpr int Right = 77;
constexpr int Down = 80;
constexpr int Delete = 83;

}  // namespace scancode

// The window's close request reaches the key buffer as the extended key with
// this code ("\xFF" followed by it, as takeKey returns it).
constexpr unsigned char kCloseRequestKey = 107;
