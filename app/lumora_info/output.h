// Standard output with every write checked: the first failure is reported once, on standard
// error, and everything after it is dropped. A reader that went away (a closed pipe) is no
// failure to report: the program ends quietly as by SIGPIPE, the way cat and grep end.
#pragma once

#include <string_view>

class Output {
public:
    void Write(std::string_view text);
    // Pushes what is buffered to the file; false once any write has failed.
    bool Flush();
    // Flush, then the error line when a write failed; true when everything was written. After a
    // closed pipe it does not return.
    bool Finish();
    bool Failed() const { return error_ != 0; }

private:
    void Fail(int error);

    int error_ = 0;
    bool reported_ = false;
};
