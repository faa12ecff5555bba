#pragma once
// The program's projection convention as the object loader needs it: true
// for the European method, whose objects are mirrored when loaded. The
// projection views set it at start-up; false until then.

extern bool mirror_objects;
