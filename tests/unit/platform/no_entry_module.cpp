// A shared library that is no module: it has no entry.
int lumora_test_no_entry_marker = 1;
