#include "QelApplication.h"

int main(int argc, char **argv)
{
    QelApplication application(argc, argv);
    return application.runSingleInstance();
}
