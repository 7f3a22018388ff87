// A library the module below needs and that is never installed beside it.
int fakeDependencyAnswer()
{
    return 42;
}
