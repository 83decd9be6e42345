// Standard input, output and error as a program may be started without them.
#pragma once

// Opens /dev/null on whichever of descriptors 0, 1 and 2 is closed, so that no file or pipe the
// program opens later lands there (where a write to standard error, or a redirection of it,
// would reach that file). It is opened the other way round (input for writing, output for
// reading), so that using a closed one still fails as it would have. Called first thing in main.
void OpenStandardDescriptors();
