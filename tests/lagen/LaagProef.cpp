// Does nothing: what counts is that the whole layer it is linked with links,
// and with which libraries.
int main()
{
    return 0;
}
