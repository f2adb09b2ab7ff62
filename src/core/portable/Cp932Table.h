#pragma once

// Microsoft's code page 932: Shift_JIS with the NEC and IBM extensions.
// The character of a double-byte code, 0 when the code is not assigned. The
// user-defined rows F0..F9 map onto the private-use area from U+E000.
char16_t Cp932DoubleByteCharacter(unsigned char lead, unsigned char trail);
