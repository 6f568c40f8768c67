#pragma once

// Readies the program folder on the first start on a machine: creates the folder and its
// "OutFiles/" folder when missing, and puts the two information files there from the copies
// built into the program, each only when it is missing. A failure is an UnexpectedError.
void PrepareProgramFolder();
