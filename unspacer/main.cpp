// Unspacer: started in a folder, removes the blanks from the names of its
// files, then shows the list of the names as they were.
#include "unspacer/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    unspacer::Form1 form;
    return unspacer::run(form);
}
