#pragma once
// The five fonts the start-up loads for the whole run.

class Font;

extern Font* MenuFont;    // button captions
extern Font* StaticFont;  // static texts, edit fields, lists
extern Font* DarkFont;    // texts on light backgrounds
extern Font* HelpFont;    // help pages, tips, the tutorial bubble
extern Font* ComboFont;   // combo messages of the board

// Loads the five in this order.
void loadUiFonts();
