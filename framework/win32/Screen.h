// The forms of the program, in the order they were made: the list that
// broadcasts to every window walk.
#pragma once

#include <vector>

namespace framework {

class TForm;

class TScreen {
public:
    const std::vector<TForm*>& Forms() const { return forms_; }
    // Forms enter the list when they are made and leave it when they go.
    // (Not AddForm: windows.h turns that name into another.)
    void Insert(TForm* form);
    void Remove(TForm* form);

private:
    std::vector<TForm*> forms_;
};

TScreen& Screen();

}  // namespace framework
