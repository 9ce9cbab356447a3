/* The compiled resources, carried in a section of their own where the host finds them.
   No symbol names them: PluginMain stays the library's only export. */
    .section .ortaq_resources, "a"
    .balign 4
    .incbin "ortaq.res"
    .section .note.GNU-stack, "", @progbits
