#include "manager/windows.h"

TRFM_MainForm* RFM_MainForm = nullptr;
TMainForm* MainForm = nullptr;
TResultsForm* ResultsForm = nullptr;
TCreateResultsFileDialog* CreateResultsFileDialog = nullptr;
TEditResultsFileDialog* EditResultsFileDialog = nullptr;
TExerciseDForm* ExerciseDForm = nullptr;
TAboutStudentsManagerForm* AboutStudentsManagerForm = nullptr;
TConciseResultsForAllStudentsDialog* ConciseResultsForAllStudentsDialog = nullptr;
