#pragma once

// Marks a text of the game that the window shows in the user's language. Here it stays the
// English text; the window looks its translation up under the given context, and the
// translation tools collect it from this mark.
#define FLIPSTONE_TRANSLATABLE(context, text) text
