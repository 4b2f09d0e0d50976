#include "app/candlewatcherapp.h"

int main(int argc, char** argv)
{
    return candlewatcherMain(argc, argv);
}
