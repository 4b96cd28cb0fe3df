/* A program that exists only to carry a version record. */
int main(void) {
    return 0;
}
