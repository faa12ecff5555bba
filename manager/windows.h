#pragma once
// The program's windows, created once at start-up in their order and kept
// for the whole run. A pointer is null until its window is created.

class TRFM_MainForm;
class TMainForm;
class TResultsForm;
class TCreateResultsFileDialog;
class TEditResultsFileDialog;
class TExerciseDForm;
class TAboutStudentsManagerForm;
class TConciseResultsForAllStudentsDialog;

extern TRFM_MainForm* RFM_MainForm;
extern TMainForm* MainForm;
extern TResultsForm* ResultsForm;
extern TCreateResultsFileDialog* CreateResultsFileDialog;
extern TEditResultsFileDialog* EditResultsFileDialog;
extern TExerciseDForm* ExerciseDForm;
extern TAboutStudentsManagerForm* AboutStudentsManagerForm;
extern TConciseResultsForAllStudentsDialog* ConciseResultsForAllStudentsDialog;
