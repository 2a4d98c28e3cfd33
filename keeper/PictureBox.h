// A picture box: a child window that keeps its picture and whatever is drawn on it in an
// off-screen bitmap, so a repaint is one copy. Setting a picture removes the drawing.
#pragma once
#include <windows.h>

// Creates a box with a sunken 3-D border whose inner surface is width x height pixels.
HWND CreatePictureBox(HWND parent, int id, int left, int top, int width, int height);
// Copies picture (any bitmap, not taken over) onto the surface, dropping all drawing.
void SetPicture(HWND box, HBITMAP picture);
// Draws a 1-pixel line in colour; coordinates are in twips from the inner top left corner.
void DrawLineTwips(HWND box, float x1, float y1, float x2, float y2, COLORREF colour);
// The colour of one pixel of the surface (picture and drawing), CLR_INVALID outside it.
COLORREF PicturePixel(HWND box, int x, int y);
