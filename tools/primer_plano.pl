#!/usr/bin/perl
# Uso: perl tools/primer_plano.pl PROGRAMA
#
# Arranca PROGRAMA para `make run`. En un terminal, el programa va en un
# grupo de procesos propio, que pasa a ser el del primer plano: Ctrl+C le
# llega solo a él. Si le llegara también a make, make esperaría al programa
# desde su manejador de la señal y, cuando su bucle principal ya lo había
# recogido, acabaría con "wait: No child processes"; además escribiría su
# propio aviso ("[run] Interrupt") bajo la salida del programa.
#
# Este proceso se queda en el grupo de make, que es el trabajo que ve el
# intérprete de órdenes, y hace de enlace entre los dos grupos: cuando Ctrl+Z
# para el programa, para también a make, como haría Ctrl+Z sin este reparto;
# cuando `fg` sigue a make, devuelve el terminal al programa y lo sigue.
use strict;
use warnings;
use POSIX qw(:sys_wait_h SIGINT getpgrp setpgid tcgetpgrp tcsetpgrp);

my $programa = shift @ARGV or die "uso: primer_plano.pl PROGRAMA\n";

# Sin un terminal en la entrada, o fuera de su primer plano, no hay nada
# que repartir: el programa ocupa el lugar de este proceso.
if (!-t STDIN || tcgetpgrp(0) != getpgrp()) {
    exec {$programa} $programa or die "primer_plano: $programa: $!\n";
}

# Quien da el terminal a otro grupo sin estar en el primer plano recibe
# SIGTTOU, que lo pararía: este proceso la ignora.
$SIG{TTOU} = 'IGNORE';
my $grupo_make = getpgrp();

my $hijo = fork() // die "primer_plano: fork: $!\n";
if ($hijo == 0) {
    setpgid(0, 0);
    tcsetpgrp(0, $$);
    # Una señal ignorada seguiría ignorada en el programa: se restablece.
    $SIG{TTOU} = 'DEFAULT';
    exec {$programa} $programa or die "primer_plano: $programa: $!\n";
}
# El padre hace lo mismo que el hijo, pues no se sabe cuál llega antes.
setpgid($hijo, $hijo);
tcsetpgrp(0, $hijo);

my $estado;
while (1) {
    if (waitpid($hijo, WUNTRACED) == -1) {
        next if $!{EINTR};
        die "primer_plano: waitpid: $!\n";
    }
    $estado = ${^CHILD_ERROR_NATIVE};
    last unless WIFSTOPPED($estado);
    # El programa se ha parado: make y este proceso se paran también, con el
    # terminal en su grupo, y siguen cuando el usuario escribe `fg`.
    tcsetpgrp(0, $grupo_make);
    kill 'TSTP', -$grupo_make;
    tcsetpgrp(0, $hijo);
    kill 'CONT', -$hijo;
}
tcsetpgrp(0, $grupo_make);

# Terminar con Ctrl+C es la forma corriente de dejar el programa: make no
# tiene nada que añadir. Como hace el intérprete de órdenes, un salto de
# línea deja su indicador al principio de una línea. Otra señal se cuenta
# como la cuenta el intérprete: 128 más su número.
if (WIFSIGNALED($estado)) {
    if (WTERMSIG($estado) == SIGINT) {
        print STDERR "\n";
        exit 0;
    }
    exit 128 + WTERMSIG($estado);
}
exit WEXITSTATUS($estado);
