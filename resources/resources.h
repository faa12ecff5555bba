#pragma once
// The program's pictures, compiled in and found under ":/NAME".

void init_resources();
