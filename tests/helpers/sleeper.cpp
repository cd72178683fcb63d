// SPDX-License-Identifier: GPL-3.0-or-later
// A program that does nothing for half a minute: something for the
// scheduler to end and start again.
#include <unistd.h>

int main() {
    sleep(30);
    return 0;
}
