// The yardstick of bench_avvio: the smallest C++ program that prints a line.

#include <iostream>

int main()
{
    std::cout << "Ciao, mondo\n";
}
