#pragma once

class Tmall;

// Registers every window of the program with the facade. Each library that builds windows adds
// its registration call to WindowRegistry.cpp and links its library to mq_shell in
// src/app/CMakeLists.txt.
void RegisterWindows(Tmall& mall);
// The windows of the shell itself.
void RegisterAppWindows(Tmall& mall);
