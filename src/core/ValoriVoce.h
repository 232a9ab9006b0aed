#pragma once

// The voice settings as the settings file stores them, line 1 the voice and
// line 2 the speed: the values in force when there is no file or a bad one,
// and the range of speeds that the voice settings screen offers and the
// speech engines take. A stored speed outside the range (a hand-edited file)
// is brought into it where it is used.
inline constexpr int VocePredefinita = 1;
inline constexpr int VelocitaPredefinita = 135;
inline constexpr int VelocitaMinima = 70;
inline constexpr int VelocitaMassima = 200;
