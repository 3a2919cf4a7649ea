#include "shell/Application.h"
#include "shell/InfoOptions.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (const std::optional<int> status = AnswerInfoOption(argc, argv, std::cout))
        return *status;
    return RunNorvane(argc, argv);
}
