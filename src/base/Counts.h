#pragma once

// The examination's fixed size, shared by the window's control arrays and the exam's arrays.
inline constexpr int QuestionCount = 50; // questions in the bank and on the paper; question buttons
inline constexpr int AlternativeCount
    = 5; // the most alternatives of a question; answer buttons 1 to 5
inline constexpr int ResultRoom = 100; // paper positions the result arrays have room for
